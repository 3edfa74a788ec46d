// Other processes and the process's own output: the level check runs the
// game itself once per seed and reads what the level loader prints.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Runs a program without a shell (searched on PATH), waits for it and puts
// its standard output in `output`; its exit status, -1 when it could not
// start or was killed.
int SysRunProgram(const std::vector<std::string>& args, std::string& output);
// The running executable's path, for starting another copy of it; "" when
// the system cannot tell.
std::string SysProgramPath();
// Runs `work` with the process's standard output (printf and std::cout)
// diverted, and returns what it printed.
std::string SysCaptureOutput(const std::function<void()>& work);
