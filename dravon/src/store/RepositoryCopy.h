// Reads the business-object blocks of a repository-copy text: a
// "[Pellisk]" header, then "[BusinessObjectDefinition]" blocks of
// "key = value" lines with tab-indented attribute, verb and property
// sub-blocks. Blocks of other kinds (connectors) are skipped.
#pragma once

#include <memory>
#include <string>
#include <vector>

class CQRBusObjDef;

namespace dravon {

// False at the first error, with its line number in `error`.
bool ParseRepositoryCopy(const std::string& text, std::vector<std::unique_ptr<CQRBusObjDef>>& defs,
                         std::string& error);

}  // namespace dravon
