#include "Caption.h"

std::string DesignCaption(const std::string& fileName, const std::string& brandName, bool changed) {
    const size_t slash = fileName.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    return name + (changed ? "*" : "") + " - Vireldo 2000 V3.0b - " + brandName;
}
