// Starting programs without a shell.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace win32::svc {

// Starts `path` with `argv` (and `env` when not empty, else this process's
// environment) in `dir` (empty: this one). Answers the process id, or 0
// with `error` set to the errno of the failure.
pid_t Spawn(const std::string& path, const std::vector<std::string>& argv, const std::vector<std::string>& env,
            const std::string& dir, int& error);

// Reaps a child nobody waits for, so it leaves no zombie.
void ReapInBackground(pid_t pid);

// "\" turned into "/".
std::string SlashPath(std::string path);

}  // namespace win32::svc
