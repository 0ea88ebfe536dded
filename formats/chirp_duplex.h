// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transmit frequency against CHIRP's Duplex and Offset: Frequency is the receive frequency,
// and the transmit frequency is the same (""), above or below it by Offset ("+", "-"), Offset
// itself ("split") or not set ("off").

#include <cstdint>
#include <string>

struct ChirpDuplexFields {
  std::string duplex;
  std::string offset;  // MHz
};

ChirpDuplexFields DuplexFieldsOf(std::uint32_t rxFrequency, std::uint32_t txFrequency);

// The transmit frequency of a line, in 100 Hz units. Offset is read only where Duplex uses it.
// False, with `error` for the user, for an unknown Duplex, an unreadable Offset or a transmit
// frequency below 0 or beyond what the record holds.
bool TxFrequencyOf(std::uint32_t rxFrequency, const ChirpDuplexFields &fields, std::uint32_t &txFrequency,
                   std::string &error);
