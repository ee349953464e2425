// Varnel.exe given a run or /?: a program of the window's subsystem has no console of its own
// and cmd does not wait for it, so it hands its arguments to Varnel.com beside it.
#pragma once

// Runs Varnel.com with this process's arguments on this process's standard handles, in the
// console of the process that started this one if it has one, and waits; returns its exit code.
int RelayToConsoleProgram();
