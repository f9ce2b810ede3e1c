// A second process for the session lock tests: another copy of the program, on a machine of its own.
// Usage: session-lock-holder <lock path> <machine identity>
// Tries to take the lock and prints "Taken", "HeldElsewhere" or "Refused". Then reads commands
// from standard input, one a line: "refresh" prints "held" or "taken over"; "release" releases
// and prints "released". The end of the input ends the process (releasing a lock still held).
#include "platform/FolderLock.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

using corvane::platform::SessionLock;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    corvane::platform::setMachineIdentityForTesting(QString::fromLocal8Bit(argv[2]));
    SessionLock lock(QString::fromLocal8Bit(argv[1]));
    auto say = [](const char *text) {
        std::printf("%s\n", text);
        std::fflush(stdout);
    };
    switch (lock.take()) {
    case SessionLock::Outcome::Taken:
        say("Taken");
        break;
    case SessionLock::Outcome::HeldElsewhere:
        say("HeldElsewhere");
        break;
    case SessionLock::Outcome::Refused:
        say("Refused");
        break;
    }
    for (std::string command; std::getline(std::cin, command);) {
        if (command == "refresh") {
            say(lock.refresh() == SessionLock::Refresh::TakenOver ? "taken over" : "held");
        } else if (command == "release") {
            lock.release();
            say("released");
        }
    }
    return 0;
}
