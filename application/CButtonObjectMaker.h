#pragma once

#include "application/CEngineObjectMaker.h"

class CButton;

// A scene's CREATEOBJECT "BUTTON" wraps its button in a BUTTON object, which becomes the script
// button of the button's hot spot.
using CButtonObjectMaker = CEngineObjectMaker<CButton>;
