#include "scratch_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

ScratchDir::ScratchDir()
{
    previous_ = fs::current_path().string();
    std::string templ = (fs::temp_directory_path() / "kvtest-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = templ;
    fs::current_path(path_);
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    fs::current_path(previous_, ec);
    // A test may have made files read-only; give write access back so the folder can go.
    for (auto& e : fs::recursive_directory_iterator(path_, ec))
        fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string ScratchDir::Write(const std::string& name, const std::string& bytes) const
{
    const fs::path p = fs::path(path_) / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.string();
}

std::string ScratchDir::Read(const std::string& name) const
{
    std::ifstream in(fs::path(path_) / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool ScratchDir::Exists(const std::string& name) const
{
    return fs::exists(fs::path(path_) / name);
}
