#pragma once

// The seventeen settings commands, each sending or receiving one setting.
// Each returns kDone, kRefused (refused or wrong reply; the user was told)
// or kLinkFailed (link failed, or the SD-card error 51, which was shown).
#include "device/command_context.h"
#include "device/data_trigger_commands.h"
#include "device/number_commands.h"
#include "device/text_commands.h"
#include "device/time_trigger_commands.h"
