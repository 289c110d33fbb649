// A small JSON writer for what the game hands the page.
#pragma once

#include <string>
#include <string_view>

#include "view/design_geometry.h"

namespace quorbals {

// A small writer: values separated by commas within each object or list.
class Json {
public:
    Json& Open(char bracket) {
        Separate();
        out_ += bracket;
        first_ = true;
        return *this;
    }
    Json& Close(char bracket) {
        out_ += bracket;
        first_ = false;
        return *this;
    }
    Json& Key(std::string_view key) {
        Separate();
        Quoted(key);
        out_ += ':';
        first_ = true;
        return *this;
    }
    Json& Text(std::string_view text) {
        Separate();
        Quoted(text);
        return *this;
    }
    Json& Number(long value) {
        Separate();
        out_ += std::to_string(value);
        return *this;
    }
    Json& Boolean(bool value) {
        Separate();
        out_ += value ? "true" : "false";
        return *this;
    }
    Json& Rect(const DesignRect& r) {
        Open('[').Number(r.x).Number(r.y).Number(r.width).Number(r.height);
        return Close(']');
    }
    Json& Font(const DesignFont& f) {
        Open('{').Key("family").Text(f.family).Key("px").Number(f.pixelHeight);
        Key("bold").Boolean(f.bold);
        return Close('}');
    }
    std::string Take() { return std::move(out_); }

private:
    void Separate() {
        if (!first_) {
            out_ += ',';
        }
        first_ = false;
    }
    void Quoted(std::string_view text) {
        out_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                static const char kHex[] = "0123456789abcdef";
                out_ += "\\u00";
                out_ += kHex[(c >> 4) & 0xF];
                out_ += kHex[c & 0xF];
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }

    std::string out_;
    bool first_ = true;
};

}  // namespace quorbals
