#pragma once

namespace lanvane {

enum class BssOutcome {
    Ok,
    ConnectFailed,     // the TCP link did not connect
    FrameBuildFailed,  // the request frame could not be built
    AttentionRefused,  // attention message not written whole, or no or a wrong answer
    NoReply,           // no reply arrived
    ChecksumFailed,    // the reply's checksum does not verify
    TagMismatch,       // the reply is not BSS_RSP
};

}  // namespace lanvane
