// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/keyed_id.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace talvoren {

namespace {

constexpr std::array<std::uint32_t, 64> roundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t rotr(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

std::string sha256Bytes(std::string_view input) {
    std::array<std::uint32_t, 8> h = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                      0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::string data(input);
    const std::uint64_t bits = static_cast<std::uint64_t>(input.size()) * 8;
    data += '\x80';
    while (data.size() % 64 != 56) data += '\0';
    for (int i = 7; i >= 0; --i) data += static_cast<char>((bits >> (i * 8)) & 0xff);
    for (std::size_t block = 0; block < data.size(); block += 64) {
        std::array<std::uint32_t, 64> w{};
        for (std::size_t i = 0; i < 16; ++i)
            for (std::size_t b = 0; b < 4; ++b)
                w[i] = (w[i] << 8) | static_cast<unsigned char>(data[block + i * 4 + b]);
        for (std::size_t i = 16; i < 64; ++i) {
            const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        auto [a, b, c, d, e, f, g, hh] = h;
        for (std::size_t i = 0; i < 64; ++i) {
            const std::uint32_t t1 = hh + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) +
                                     roundConstants[i] + w[i];
            const std::uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            hh = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        const std::array<std::uint32_t, 8> add = {a, b, c, d, e, f, g, hh};
        for (std::size_t i = 0; i < 8; ++i) h[i] += add[i];
    }
    std::string digest;
    for (std::uint32_t word : h)
        for (int i = 3; i >= 0; --i) digest += static_cast<char>((word >> (i * 8)) & 0xff);
    return digest;
}

std::string hex(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    for (char c : bytes) {
        text += digits[(static_cast<unsigned char>(c) >> 4) & 0xf];
        text += digits[static_cast<unsigned char>(c) & 0xf];
    }
    return text;
}

constexpr std::size_t keyHexLength = 64;

std::string randomKeyHex() {
    std::random_device device;  // the system's entropy source
    std::string bytes;
    for (std::size_t i = 0; i < keyHexLength / 2; ++i) bytes += static_cast<char>(device() & 0xff);
    return hex(bytes);
}

std::optional<std::string> readKey(const std::string& path) {
    std::ifstream in(path);
    std::string key;
    if (!(in >> key) || key.size() != keyHexLength) return std::nullopt;
    return key;
}

}  // namespace

std::string sha256Hex(std::string_view bytes) { return hex(sha256Bytes(bytes)); }

std::string hmacSha256Hex(std::string_view key, std::string_view message) {
    constexpr std::size_t blockSize = 64;
    std::string k = key.size() > blockSize ? sha256Bytes(key) : std::string(key);
    k.resize(blockSize, '\0');
    std::string inner(blockSize, '\0'), outer(blockSize, '\0');
    for (std::size_t i = 0; i < blockSize; ++i) {
        inner[i] = static_cast<char>(k[i] ^ 0x36);
        outer[i] = static_cast<char>(k[i] ^ 0x5c);
    }
    return hex(sha256Bytes(outer + sha256Bytes(inner + std::string(message))));
}

std::optional<std::string> folderExportKey(const std::string& folder, std::string& error) {
    const std::string path = (std::filesystem::path(folder) / exportKeyFileName).string();
    if (auto key = readKey(path)) return key;
    // Made only when absent, so that two exports at once agree on one key.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        const std::string line = randomKeyHex() + "\n";
        const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
        ::close(fd);
        if (!written) {
            error = path + ": " + std::strerror(errno);
            return std::nullopt;
        }
    } else if (errno != EEXIST) {
        error = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (auto key = readKey(path)) return key;
    error = path + ": the key file is damaged";
    return std::nullopt;
}

std::string pupilExportId(std::string_view key, std::string_view pupil) {
    return "p" + hmacSha256Hex(key, pupil).substr(0, 16);
}

}  // namespace talvoren
