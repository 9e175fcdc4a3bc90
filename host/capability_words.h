// The capability words of this interface: what a host may offer and what an effect may claim.
#pragma once

extern const char* const hostCapabilityWords[13];
extern const char* const effectCapabilityWords[23];
