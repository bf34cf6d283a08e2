// Runs the built front end through the shell, standard error into a
// temporary file of its own.
#include "RunOlvaren.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace testsupport {
namespace {

std::string Quote(const std::string& s) {
  std::string quoted = "'";
  for (char c : s) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

std::string OlvarenProgram() { return std::string(OLVAREN_MODULE_DIR) + "/olvaren"; }

ProgramResult RunOlvaren(const std::vector<std::string>& args, const std::string& dir,
                         const std::string& configHome) {
  ProgramResult r;
  const char* tmp = getenv("TMPDIR");
  std::string errPath = std::string(tmp ? tmp : "/tmp") + "/olvaren-stderr-XXXXXX";
  int fd = mkstemp(errPath.data());
  if (fd < 0) return r;
  close(fd);

  std::string command;
  if (!dir.empty()) command += "cd " + Quote(dir) + " && ";
  if (!configHome.empty()) command += "XDG_CONFIG_HOME=" + Quote(configHome) + " ";
  command += Quote(OlvarenProgram());
  for (const std::string& a : args) command += " " + Quote(a);
  command += " 2>" + Quote(errPath);

  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    int status = pclose(pipe);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  r.err = ReadAll(errPath);
  std::remove(errPath.c_str());
  return r;
}

}  // namespace testsupport
