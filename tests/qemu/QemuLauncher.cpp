// Runs a Linux program of another machine under qemu's user-mode emulation:
//   QemuLauncher <program> [argument...]
// The program gets the name that a shell gives a program found on PATH, its
// file name (qemu's -0), not the path that qemu was given: its usage message
// reads as on its own machine. Being a program, not a shell script, the
// launcher adds no message of its own when the working folder is gone.
// The path of qemu is built in: TYPETOOLS_QEMU.

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: QemuLauncher <program> [argument...]\n", stderr);
        return 2;
    }
    std::string qemu = TYPETOOLS_QEMU;
    std::string nameSwitch = "-0";
    std::string program = argv[1];
    std::string name = program.substr(program.rfind('/') + 1);
    std::vector<char*> arguments{qemu.data(), nameSwitch.data(), name.data()};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    arguments.push_back(nullptr);
    execv(qemu.c_str(), arguments.data());
    std::perror(qemu.c_str());
    return 127;
}
