#include "url/url_writer.h"

namespace тувра::url {

namespace {

// Without it a path that starts with an empty segment would read back as a host.
bool needs_dot_prefix(const UrlRecord& record) {
  const auto* segments = std::get_if<std::vector<std::string>>(&record.path);
  return !record.host && segments && segments->size() > 1 && segments->front().empty();
}

void write_path(std::string& out, const UrlRecord& record) {
  if (const auto* opaque = std::get_if<std::string>(&record.path)) {
    out += *opaque;
    return;
  }
  const auto& segments = std::get<std::vector<std::string>>(record.path);
  for (const std::string& segment : segments) {
    out += '/';
    out += segment;
  }
}

// An upper bound of the serialisation's length, so that it is written without regrowing.
std::size_t length_bound(const UrlRecord& record) {
  std::size_t n = record.scheme.size() + record.username.size() + record.password.size() + 16;
  if (record.host) n += record.host->size();
  if (const auto* opaque = std::get_if<std::string>(&record.path)) {
    n += opaque->size();
  } else {
    for (const std::string& segment : std::get<std::vector<std::string>>(record.path)) {
      n += segment.size() + 1;
    }
  }
  if (record.query) n += record.query->size() + 1;
  if (record.fragment) n += record.fragment->size() + 1;
  return n;
}

}  // namespace

Url UrlWriter::write(const UrlRecord& record) {
  Url url;
  std::string& out = url.href_;
  out.reserve(length_bound(record));
  out = record.scheme;
  url.scheme_end_ = out.size();
  out += ':';
  if (record.host) {
    out += "//";
    url.username_start_ = out.size();
    out += record.username;
    url.username_end_ = out.size();
    if (!record.password.empty()) {
      out += ':';
      url.password_start_ = out.size();
      out += record.password;
    }
    if (!record.username.empty() || !record.password.empty()) out += '@';
    url.host_start_ = out.size();
    out += *record.host;
    url.host_end_ = out.size();
    if (record.port) {
      out += ':';
      out += std::to_string(*record.port);
    }
  }
  url.port_ = record.port;
  url.opaque_path_ = std::holds_alternative<std::string>(record.path);
  if (needs_dot_prefix(record)) out += "/.";
  url.path_start_ = out.size();
  write_path(out, record);
  if (record.query) {
    url.query_start_ = out.size();
    out += '?';
    out += *record.query;
  }
  if (record.fragment) {
    url.fragment_start_ = out.size();
    out += '#';
    out += *record.fragment;
  }
  return url;
}

}  // namespace тувра::url
