#pragma once

// The control IDs live with the setting descriptions in the settings layer.
#include "settings/control_ids.h"
