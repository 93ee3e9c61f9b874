// Named resources compiled into the executable, looked up by upper-cased name and type.
#pragma once

#include <cstddef>
#include <string_view>

struct ResourceView {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    explicit operator bool() const { return data != nullptr; }
};

ResourceView findResource(std::string_view name, std::string_view type);

// Gives the memory pages that lie wholly inside the resource back to the system once it
// has been read: they come back from the executable's file if it is read again. A
// picture is decoded once and uploaded, so its bytes need not stay resident.
void releaseResourcePages(const ResourceView& r);
