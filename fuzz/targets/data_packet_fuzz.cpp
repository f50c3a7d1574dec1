// The data packet's JSON form: any text is either a packet or a
// veiculo::Error naming what is malformed; a packet read is written back, and
// what it writes reads back to the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "check.h"
#include "veiculo/data_packet.h"
#include "veiculo/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string json(reinterpret_cast<const char*>(data), size);
  veiculo::DataPacket packet;
  try {
    packet = veiculo::DataPacket::FromJson(json);
  } catch (const veiculo::Error&) {
    return 0;
  }
  const std::string written = packet.ToJson();
  const veiculo::DataPacket again = veiculo::DataPacket::FromJson(written);
  FUZZ_CHECK(again.ToJson() == written);
  return 0;
}
