// Feeds arbitrary bytes to the document reader, in memory. An input that does not start with the
// document header is also read behind one, so that mutations reach the chunk readers even when
// they break the header.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "metasequoia/mqo_reader.h"

// The seed documents are up to half a megabyte; mutating inputs that large runs a few dozen
// executions a second. Unless the command line sets a limit, inputs are kept to 16 KiB, which still
// holds every chunk kind of the seeds.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-max_len=", 9) == 0) return 0;
    static std::vector<char*> arguments((*argv), (*argv) + *argc);
    static char maxLength[] = "-max_len=16384";
    arguments.insert(arguments.begin() + 1, maxLength);
    arguments.push_back(nullptr);
    *argc += 1;
    *argv = arguments.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    Scene scene;
    readMqoDocument(text, size, scene);
    static const char header[] = "Metasequoia Document\nFormat Text Ver 1.0\n";
    if (size < sizeof header - 1 || std::memcmp(text, header, sizeof header - 1) != 0) {
        const std::string document = header + std::string(text, size);
        readMqoDocument(document.data(), document.size(), scene);
    }
    return 0;
}
