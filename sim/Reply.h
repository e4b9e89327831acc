#pragma once

#include <string_view>
#include <utility>

#include "sim/Bytes.h"

namespace lanvane::sim {

// A reply as the printer means it, before faults shape it into bursts.
struct Reply {
    enum class Form {
        Plain,      // `body` goes out exactly as it is
        PlainTag,   // reply prefix, the 18-byte tag in `body` as text, terminator
        LinkFrame,  // `body` (tag and payload) sealed, as hex text between prefix and terminator
        RawFrame,   // `body` sealed and sent as it is (the TCP survey port)
    };

    Form form = Form::Plain;
    Bytes body;

    static Reply Plain(Bytes bytes) { return {Form::Plain, std::move(bytes)}; }
    static Reply Tag(std::string_view tag) { return {Form::PlainTag, Bytes(tag.begin(), tag.end())}; }
    static Reply Frame(Form form, std::string_view tag, const Bytes& payload) {
        Bytes body(tag.begin(), tag.end());
        body.insert(body.end(), payload.begin(), payload.end());
        return {form, std::move(body)};
    }
};

}  // namespace lanvane::sim
