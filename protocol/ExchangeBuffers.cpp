#include "protocol/ExchangeBuffers.h"

namespace lanvane {

void ExchangeBuffers::Wipe() {
    request.fill(0);
    staging.fill(0);
    message.fill(0);
    reply.fill(0);
}

}  // namespace lanvane
