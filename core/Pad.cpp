#include "core/Pad.h"

#include <filesystem>

std::string PadSamenvoegen(const std::string& map, const std::string& naam)
{
    if (map.empty())
        return naam;
    if (map.back() == '/')
        return map + naam;
    return map + "/" + naam;
}

std::string MapVan(const std::string& pad)
{
    const auto i = pad.find_last_of('/');
    if (i == std::string::npos)
        return ".";
    return i == 0 ? std::string("/") : pad.substr(0, i);
}

std::string Bestandsdeel(const std::string& pad)
{
    const auto i = pad.find_last_of('/');
    return i == std::string::npos ? pad : pad.substr(i + 1);
}

std::string HuidigeMap()
{
    std::error_code fout;
    auto p = std::filesystem::current_path(fout);
    return fout ? std::string("/") : p.string();
}
