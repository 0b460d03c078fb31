// What another account can do in a folder it shares with the user: listen on
// the name the program's socket would have, answer every call as the program
// does and note each call in a log.
// Usage: socket_squatter SOCKET_PATH LOG
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, argv[1], sizeof address.sun_path - 1);
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::unlink(argv[1]);
    if (::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(argv[1], 0777) != 0 || ::listen(server, 8) != 0) {
        std::perror("socket_squatter");
        return 1;
    }
    std::puts("listening");
    std::fflush(stdout);
    for (;;) {
        const int call = ::accept(server, nullptr, nullptr);
        if (call < 0) continue;
        char request[64] = {};
        [[maybe_unused]] const auto got = ::read(call, request, sizeof request - 1);
        [[maybe_unused]] const auto sent = ::write(call, "shown\n", 6);
        if (std::FILE* log = std::fopen(argv[2], "a")) {
            std::fprintf(log, "called: %s", request);
            std::fclose(log);
        }
        ::close(call);
    }
}
