#pragma once

#include "application/CEngineObjectMaker.h"

class CVirtualGraphicsObject;

// A scene's CREATEOBJECT "VGO" wraps its virtual graphics object in a VIRTUALGRAPHICSOBJECT object.
using CVirtualGraphicsObjectMaker = CEngineObjectMaker<CVirtualGraphicsObject>;
