#include <gtest/gtest.h>

#include <random>

#include "TestFrames.h"
#include "fuzz/DecodeAllFuzzInput.h"

namespace lanvane {
namespace {

// Deterministic mutations of the golden frames, run through the fuzz target's own checks
// on every test run. Some mutations rebuild a valid tag frame so that the decoders'
// accepting paths see damaged contents too.
class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> bytes) {
        const std::size_t steps = 1 + Below(4);
        for (std::size_t step = 0; step < steps; ++step) {
            MutateOnce(bytes);
        }
        return bytes;
    }

private:
    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : random_() % bound; }
    std::uint8_t AnyByte() { return static_cast<std::uint8_t>(random_()); }
    std::uint8_t HexLikeCharacter() {
        static constexpr std::string_view kHexLike = "0123456789abcdefABCDEF()*+,-./ \x03";
        return static_cast<std::uint8_t>(kHexLike[Below(kHexLike.size())]);
    }

    void MutateOnce(std::vector<std::uint8_t>& bytes) {
        if (bytes.empty()) {
            bytes.push_back(AnyByte());
            return;
        }
        const std::size_t at = Below(bytes.size());
        switch (Below(7)) {
            case 0:
                bytes[at] ^= static_cast<std::uint8_t>(1u << Below(8));
                break;
            case 1:
                bytes[at] = AnyByte();
                break;
            case 2:
                bytes[at] = HexLikeCharacter();
                break;
            case 3:
                bytes.resize(Below(bytes.size() + 1));
                break;
            case 4:
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), Below(64),
                             AnyByte());
                break;
            case 5:
                bytes.resize(bytes.size() + Below(2000), AnyByte());
                break;
            default:
                ResealLinkMessage(bytes);
                break;
        }
    }

    // Changes a byte of the carried tag frame and gives it a correct checksum again.
    void ResealLinkMessage(std::vector<std::uint8_t>& message) {
        std::vector<std::uint8_t> frame(kMessageBufferSize);
        frame.resize(
            DecodeLinkMessage(message.data(), message.size(), frame.data(), frame.size()));
        if (frame.size() < kTagLength + 2) {
            return;
        }
        const std::string tagText(frame.begin(), frame.begin() + kTagLength);
        std::vector<std::uint8_t> payload(frame.begin() + kTagLength, frame.end() - 2);
        if (!payload.empty()) {
            payload[Below(payload.size())] = AnyByte();
        }
        message = test::LinkMessage(test::TagFrame(tagText, payload));
    }

    std::mt19937 random_;
};

TEST(MutateAndDecode, GoldenFramesSurviveThousandsOfMutations) {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (const char* name :
         {"sys_req.link", "sys_rsp.link", "if_cur_v1.link", "if_cur_v2.link", "bss_rsp.frame"}) {
        seeds.push_back(test::ReadGolden(name));
        ASSERT_FALSE(seeds.back().empty()) << name;
        ASSERT_TRUE(DecodeAllFuzzInput(seeds.back().data(), seeds.back().size())) << name;
    }
    Mutator mutator(20240131);
    for (std::size_t round = 0; round < 3000; ++round) {
        const std::vector<std::uint8_t>& seed = seeds[round % seeds.size()];
        const std::vector<std::uint8_t> input = mutator.Mutate(seed);
        ASSERT_TRUE(DecodeAllFuzzInput(input.data(), input.size())) << "round " << round;
    }
}

}  // namespace
}  // namespace lanvane
