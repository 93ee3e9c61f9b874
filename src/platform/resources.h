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
