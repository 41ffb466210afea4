// The definitions the repository-copy benchmarks read and write: 20
// attributes with the fields an editor fills (types, lengths, keys, column
// information, comments) and the four usual verbs; and the floor of any
// reader, a plain scan of a file's lines.
#pragma once

#include <fstream>
#include <string>

#include "BusObjDef.h"

namespace halvane::bench {

inline constexpr int kDefinitionAttributes = 20;

// Fills the i-th definition of a benchmark.
inline void FillDefinition(CQRBusObjDef& def, int i) {
  static const char* const kTypes[] = {"String", "Integer", "Double", "Date", "Boolean"};
  def.SetAppInfo(("table=object_" + std::to_string(i)).c_str());
  for (int a = 1; a <= kDefinitionAttributes; ++a) {
    const std::string name = "Attribute" + std::to_string(a);
    auto* attr = new CBODefAttr(a, name.c_str(), kTypes[a % 5]);
    attr->SetMaxLength(a % 5 == 0 ? "255" : "");
    attr->SetKey(a == 1);
    attr->SetRequired(a <= 3);
    attr->SetAppInfo(("column=attribute_" + std::to_string(a)).c_str());
    attr->SetComments(("Column " + std::to_string(a) + " of table object_" + std::to_string(i)).c_str());
    if (a % 4 == 0) attr->SetDefaultValue("0");
    def.GetAttrs().Add(attr);
  }
  for (const char* verb : {"Create", "Retrieve", "Update", "Delete"}) def.AddVerb(verb, verb);
}

inline std::string DefinitionName(int i) { return "Object" + std::to_string(i); }

// Every line of the file into a string: the number of lines.
inline size_t ScanLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  size_t lines = 0;
  while (std::getline(in, line)) ++lines;
  return lines;
}

}  // namespace halvane::bench
