#pragma once
// Fetching a small file from a web server, for the update check. The network code lives in a
// module of its own that is loaded the first time a check starts, so starting the program never
// pays for the network library.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace twl {

class UpdateDownloader {
public:
    // The body of the answer, or nullopt when the fetch failed.
    using Done = std::function<void(std::optional<std::string> body)>;

    virtual ~UpdateDownloader() = default;
    // Starts fetching address and returns at once; done runs once, later, on the event loop.
    // The fetch fails when the server cannot be reached, answers with an error status, redirects
    // in a loop, sends more than maxBytes or has not finished within timeoutMs. A new Fetch, a
    // Cancel or the destructor drops a running fetch without calling its done.
    virtual void Fetch(const std::string& address, int timeoutMs, std::size_t maxBytes,
                       Done done) = 0;
    virtual void Cancel() = 0;
};

using UpdateDownloaderFactory = std::function<std::unique_ptr<UpdateDownloader>()>;

// Loads the network module from beside the program (or from ../lib/tintwell/modules when
// installed) and makes its downloader; nullptr when the module cannot be found or loaded.
std::unique_ptr<UpdateDownloader> LoadUpdateDownloader();

// The name of the function the module exports: it returns a new downloader the caller owns.
inline constexpr const char* kUpdateDownloaderEntry = "TwlCreateUpdateDownloader";

} // namespace twl
