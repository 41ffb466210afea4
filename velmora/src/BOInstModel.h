// What the instance editor asks of Fennick and Dravon beyond single calls:
// the verb a row shows, the verbs of a type's definition, new children.
#pragma once

#include <memory>

class BusinessObject;

namespace velmora {

// The object's verb, or "<none>" when it has none or its verb is "null".
const char* VerbText(const BusinessObject* pObject);
// Adds the verbs of the type's definition to the type's BusObjSpec;
// nothing when either cannot be found.
void RegisterVerbs(const char* pszTypeName);
// A new object of the type with its default values and no verb, its type's
// verbs registered; null when the type has no BusObjSpec.
std::unique_ptr<BusinessObject> CreateChild(const char* pszTypeName);

}  // namespace velmora
