#include "testing/nginx_server.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/error.h"
#include "platform/socket.h"

namespace veyra::testing {
namespace {

std::uint16_t FreePort() {
  const platform::ListeningSocket probe;
  return probe.port();
}

}  // namespace

void RunShell(const std::string& command) {
  if (std::system(command.c_str()) != 0) throw Error("command failed: " + command);
}

NginxServer::NginxServer(const std::string& folder, const std::string& root, bool withTls)
    : folder_(std::filesystem::absolute(folder).string()) {
  std::filesystem::create_directories(folder_ + "/temp");
  port_ = FreePort();
  if (withTls) {
    tlsPort_ = FreePort();
    MakeCertificates();
  }
  WriteConfiguration(std::filesystem::absolute(root).string(), withTls);
  RunShell("nginx -q -p '" + folder_ + "' -c '" + folder_ + "/nginx.conf'");
}

NginxServer::~NginxServer() {
  const std::string stop =
      "nginx -q -p '" + folder_ + "' -c '" + folder_ + "/nginx.conf' -s stop 2>/dev/null";
  [[maybe_unused]] const int ignored = std::system(stop.c_str());
}

std::string NginxServer::AccessLog() const {
  std::ifstream log(folder_ + "/access.log");
  std::ostringstream text;
  text << log.rdbuf();
  return text.str();
}

void NginxServer::MakeCertificates() const {
  const std::string in = "cd '" + folder_ + "' && ";
  const std::string key = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";
  RunShell(in + "openssl req -x509 " + key +
           " -keyout ca.key -out ca.pem -days 2 -subj '/CN=Veyra Test CA' 2>/dev/null");
  RunShell(in + "openssl req -new " + key +
           " -keyout server.key -out server.csr -subj '/CN=localhost' 2>/dev/null");
  std::ofstream(folder_ + "/server.ext") << "subjectAltName=DNS:localhost\n";
  RunShell(in + "openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial"
                " -days 2 -extfile server.ext -out server.pem 2>/dev/null");
}

void NginxServer::WriteConfiguration(const std::string& root, bool withTls) const {
  std::ofstream config(folder_ + "/nginx.conf");
  config << "user root;\n"
            "worker_processes 1;\n"
            "pid " << folder_ << "/nginx.pid;\n"
            "error_log " << folder_ << "/error.log;\n"
            "events { worker_connections 64; }\n"
            "http {\n"
            "  log_format veyra '$connection $connection_requests $status $request_uri';\n"
            "  access_log " << folder_ << "/access.log veyra;\n"
            "  client_body_temp_path " << folder_ << "/temp/body;\n"
            "  proxy_temp_path " << folder_ << "/temp/proxy;\n"
            "  fastcgi_temp_path " << folder_ << "/temp/fastcgi;\n"
            "  uwsgi_temp_path " << folder_ << "/temp/uwsgi;\n"
            "  scgi_temp_path " << folder_ << "/temp/scgi;\n"
            "  default_type application/octet-stream;\n"
            "  types { text/xml xml; text/html html; }\n"
            "  sendfile on;\n"
            "  keepalive_requests 1000000;\n"
            "  server { listen 127.0.0.1:" << port_ << "; root " << root << "; }\n";
  if (withTls) {
    config << "  server {\n"
              "    listen 127.0.0.1:" << tlsPort_ << " ssl;\n"
              "    ssl_certificate " << folder_ << "/server.pem;\n"
              "    ssl_certificate_key " << folder_ << "/server.key;\n"
              "    root " << root << ";\n"
              "  }\n";
  }
  config << "}\n";
}

}  // namespace veyra::testing
