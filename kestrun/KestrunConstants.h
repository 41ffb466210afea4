// Names and lines of Kestrun's connector files, shared by every source file
// of the connector editor.
#pragma once

// Repository-copy files.
inline constexpr const char* REPOSITORY_HEADER_NAME = "Pellisk";
inline constexpr const char* CONNECTOR_BLOCK_NAME = "Connector";
inline constexpr const char* REPOSITORY_VERSION = "4.0.0";
inline constexpr const char* REPOSITORY_HEADER_LINE = "[Pellisk]";

// Configuration files.
inline constexpr const char* CONFIG_HEADER_NAME = "CONFIGURATION_FILE";
inline constexpr const char* CONFIG_HEADER_LINE = "[CONFIGURATION_FILE]";
inline constexpr const char* LOGGING_HEADER_LINE = "[LOGGING]";
inline constexpr const char* TRACING_HEADER_LINE = "[TRACING]";
inline constexpr const char* MESSAGING_HEADER_LINE = "[MESSAGING]";

// Standard properties the editor itself sets.
inline constexpr const char* APPLICATION_NAME_PROPERTY = "ApplicationName";
inline constexpr const char* TRANSPORT_PROPERTY = "DeliveryTransport";
inline constexpr const char* BROKER_TRANSPORT_VALUE = "KBRX-JMS";

// Keys of the connector section's own lines.
inline constexpr const char* SUPPORTED_OBJECTS_KEY = "SupportedBusinessObjects";
inline constexpr const char* ASSOCIATED_MAPS_KEY = "AssociatedMaps";
inline constexpr const char* RESOURCE_KEY = "Resource";
inline constexpr const char* DEGREE_ENTRY = "ParallelProcessDegree";
