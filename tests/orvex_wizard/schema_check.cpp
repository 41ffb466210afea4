#include "schema_check.h"

#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLString.hpp>
#include <xercesc/validators/common/Grammar.hpp>

#include <memory>

namespace brokertest {
namespace {

using namespace xercesc;

class Collector : public ErrorHandler {
 public:
  void warning(const SAXParseException& e) override { Add("warning", e); }
  void error(const SAXParseException& e) override { Add("error", e); }
  void fatalError(const SAXParseException& e) override { Add("fatal", e); }
  void resetErrors() override {}
  std::vector<std::string> problems;

 private:
  void Add(const char* kind, const SAXParseException& e) {
    char* message = XMLString::transcode(e.getMessage());
    problems.push_back(std::string(kind) + " at line " + std::to_string(e.getLineNumber()) + ": " + message);
    XMLString::release(&message);
  }
};

// The library started for one check and ended after it.
class XercesRun {
 public:
  XercesRun() { XMLPlatformUtils::Initialize(); }
  ~XercesRun() { XMLPlatformUtils::Terminate(); }
  XercesRun(const XercesRun&) = delete;
  XercesRun& operator=(const XercesRun&) = delete;
};

std::vector<std::string> Check(const std::string& path, bool grammar) {
  XercesRun run;
  Collector collector;
  {
    XercesDOMParser parser;
    parser.setErrorHandler(&collector);
    parser.setDoNamespaces(true);
    parser.setDoSchema(true);
    parser.setValidationScheme(XercesDOMParser::Val_Always);
    parser.setValidationSchemaFullChecking(true);
    try {
      if (grammar) {
        if (parser.loadGrammar(path.c_str(), Grammar::SchemaGrammarType, true) == nullptr) {
          collector.problems.push_back("no grammar loaded from " + path);
        }
      } else {
        parser.parse(path.c_str());
      }
    } catch (...) {
      collector.problems.push_back("exception while reading " + path);
    }
  }
  return collector.problems;
}

}  // namespace

std::vector<std::string> SchemaProblems(const std::string& schemaPath) { return Check(schemaPath, true); }

std::vector<std::string> InstanceProblems(const std::string& instancePath) { return Check(instancePath, false); }

}  // namespace brokertest
