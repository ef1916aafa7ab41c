#include "tests/support/OpenSslReference.h"

#include <openssl/evp.h>

#include <memory>
#include <stdexcept>

Bytes referenceAesBlock(const unsigned char key[16], Bytes block, bool encipher) {
    block.resize(16, 0);
    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(EVP_CIPHER_CTX_new(),
                                                                                  EVP_CIPHER_CTX_free);
    Bytes result(16);
    int written = 0;
    if (!context || !EVP_CipherInit_ex(context.get(), EVP_aes_128_ecb(), nullptr, key, nullptr, encipher ? 1 : 0) ||
        !EVP_CIPHER_CTX_set_padding(context.get(), 0) ||
        !EVP_CipherUpdate(context.get(), result.data(), &written, block.data(), 16) || written != 16)
        throw std::runtime_error("OpenSSL AES-128-ECB failed");
    return result;
}

Bytes referenceMd5(const unsigned char* data, size_t length) {
    Bytes digest(EVP_MAX_MD_SIZE);
    unsigned int written = 0;
    if (!EVP_Digest(data, length, digest.data(), &written, EVP_md5(), nullptr))
        throw std::runtime_error("OpenSSL MD5 failed");
    digest.resize(written);
    return digest;
}

std::string referenceBase64(const Bytes& bytes) {
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int written =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), bytes.data(), static_cast<int>(bytes.size()));
    text.resize(static_cast<size_t>(written));
    return text;
}

Bytes nonZeroBytes(size_t length) {
    Bytes bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<unsigned char>(1 + (i * 89 + 17) % 255);
    return bytes;
}
