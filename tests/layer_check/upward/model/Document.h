// The model, above the framework.
#pragma once
#include "framework/Window.h"
