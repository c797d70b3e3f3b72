// The byte-order marks that the profile functions honour.
#pragma once

#include <string>
#include <string_view>

namespace catalogue {

// The file's text as 8-bit bytes. Without a mark the bytes are returned as they are. After a
// UTF-8 mark the bytes that follow it are kept as they are too. After a UTF-16 mark (little or
// big endian) each 16-bit unit is one byte: units below 0x80 as themselves, any other unit as
// '?' (only ASCII characters have a code-page independent byte); an odd last byte is dropped.
// `storage` holds the converted text when there is one.
std::string_view DecodeProfileText(std::string_view bytes, std::string& storage);

}  // namespace catalogue
