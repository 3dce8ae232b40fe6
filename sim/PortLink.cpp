#include "sim/PortLink.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace CorvanSim {

namespace {

// Where the link at path points, or empty when path is no link.
std::string linkTarget(const std::string& path)
{
    std::vector<char> buffer(4096);
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    return length > 0 ? std::string(buffer.data(), static_cast<std::size_t>(length)) : "";
}

} // namespace

PortLink::PortLink(std::string path, std::string target)
    : path_(std::move(path)), target_(std::move(target))
{
    struct stat existing {};
    if (lstat(path_.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode))
            throw std::system_error(EEXIST, std::generic_category(),
                                    path_ + " exists and is not a symbolic link");
        unlink(path_.c_str());
    }
    if (symlink(target_.c_str(), path_.c_str()) != 0)
        throw std::system_error(errno, std::generic_category(), "cannot create " + path_);
}

PortLink::~PortLink()
{
    // Another simulator may have taken the path over since; its link is left alone.
    if (linkTarget(path_) == target_) unlink(path_.c_str());
}

} // namespace CorvanSim
