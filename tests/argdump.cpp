// lwa_argdump OUT ARGS...: writes its working directory and then each of
// ARGS on a line of its own to OUT, so tests can see how a launcher split a
// command line.
#include <fstream>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    char cwd[4096];
    std::ofstream out(argv[1]);
    out << (getcwd(cwd, sizeof cwd) ? cwd : "?") << '\n';
    for (int i = 2; i < argc; ++i)
        out << '[' << argv[i] << "]\n";
    return out ? 0 : 1;
}
