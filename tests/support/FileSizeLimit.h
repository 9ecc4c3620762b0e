#pragma once

#include <csignal>
#include <sys/resource.h>

// Runs `write` with no file of the process able to grow past `limit` bytes, as on
// a full disk: a write beyond fails with EFBIG instead of raising SIGXFSZ.
template <typename Write>
bool underFileSizeLimit(rlim_t limit, Write write)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit low = old;
    low.rlim_cur = limit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &low);
    const bool result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}
