#include "script/CMC_ObjectRef.h"

#include "script/CMC_Object.h"

CMC_ObjectRef::CMC_ObjectRef(CMC_Object* object) : token_(object != nullptr ? object->lifeToken() : nullptr)
{
}
