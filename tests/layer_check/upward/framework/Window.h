// A framework header that reaches up into the model: the check must refuse it.
#pragma once
#include "../model/Document.h"
