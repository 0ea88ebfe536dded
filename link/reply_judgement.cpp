// SPDX-License-Identifier: GPL-3.0-or-later
#include "reply_judgement.h"

ReplyFault JudgeReply(const std::array<std::uint8_t, IMAGE_SIZE> &reply, std::size_t arrived,
                      bool markerMatters) {
  if (arrived == 0) {
    return ReplyFault::NO_REPLY;
  }
  if (arrived < reply.size()) {
    return ReplyFault::CUT_SHORT;
  }
  return markerMatters && reply[REPLY_MARKER_OFFSET] == 0 ? ReplyFault::ZERO_MARKER : ReplyFault::NONE;
}
