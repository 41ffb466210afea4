// XML Schema checks with Xerces-C, independent of the translator's own
// Java parser: a schema must compile with full checking, and instance
// documents are validated against it.
#pragma once

#include <string>
#include <vector>

namespace brokertest {

// The problems of loading the schema (and the schemas it imports); none
// when it is a valid XML schema.
std::vector<std::string> SchemaProblems(const std::string& schemaPath);

// The problems of validating the instance document against the schemas
// its xsi:schemaLocation names.
std::vector<std::string> InstanceProblems(const std::string& instancePath);

}  // namespace brokertest
