// gatehost's commands; each takes the words after its name and answers the process exit code.
#pragma once

int runInfo(int argc, char** argv);
int runRender(int argc, char** argv);
int runEditor(int argc, char** argv);
int runValidate(int argc, char** argv);
