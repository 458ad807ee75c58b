#include "url/url.h"

#include <array>
#include <utility>

#include "url/host.h"
#include "url/percent_encode.h"
#include "url/url_writer.h"
#include "url/utf8.h"

namespace тувра::url {

namespace {

constexpr int kEof = -1;

enum class State {
  SchemeStart,
  Scheme,
  NoScheme,
  SpecialAuthoritySlashes,
  SpecialAuthorityIgnoreSlashes,
  PathOrAuthority,
  Authority,
  Host,
  Port,
  File,
  FileSlash,
  FileHost,
  PathStart,
  Path,
  OpaquePath,
  Query,
  Fragment,
};

struct SpecialScheme {
  std::string_view name;
  std::optional<std::uint16_t> default_port;
};

constexpr std::array<SpecialScheme, 6> kSpecialSchemes{{
    {"ftp", 21},
    {"file", std::nullopt},
    {"http", 80},
    {"https", 443},
    {"ws", 80},
    {"wss", 443},
}};

const SpecialScheme* find_special(std::string_view scheme) {
  for (const SpecialScheme& s : kSpecialSchemes) {
    if (s.name == scheme) return &s;
  }
  return nullptr;
}

bool is_alpha(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(int c) { return c >= '0' && c <= '9'; }
char to_lower(int c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (to_lower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  }
  return true;
}

bool is_windows_drive_letter(std::string_view s) {
  return s.size() == 2 && is_alpha(static_cast<unsigned char>(s[0])) && (s[1] == ':' || s[1] == '|');
}

bool is_normalized_windows_drive_letter(std::string_view s) { return is_windows_drive_letter(s) && s[1] == ':'; }

bool is_single_dot(std::string_view s) { return s == "." || equals_ignoring_case(s, "%2e"); }

bool is_double_dot(std::string_view s) {
  return s == ".." || equals_ignoring_case(s, ".%2e") || equals_ignoring_case(s, "%2e.") ||
         equals_ignoring_case(s, "%2e%2e");
}

using StepResult = Итог<Пусто, ParseError>;

StepResult fail(const char* message) { return Неудача{ParseError{message}}; }

// The basic URL parser without a base URL or a state override, over valid UTF-8 from which
// the leading and trailing C0 controls and spaces and every tab and newline are gone. It walks
// bytes: outside the ASCII range every state treats all code points alike, and percent-encoding
// a code point is percent-encoding its UTF-8 bytes.
class BasicParser {
 public:
  explicit BasicParser(std::string input) : input_(std::move(input)) {}

  StepResult run() {
    const auto size = static_cast<std::ptrdiff_t>(input_.size());
    for (;;) {
      const int c = pointer_ < size ? static_cast<unsigned char>(input_[pointer_]) : kEof;
      StepResult result = step(c);
      if (!result) return result;
      if (pointer_ >= size) return Пусто{};
      ++pointer_;
    }
  }

  const UrlRecord& record() const { return url_; }

 private:
  // What follows the current byte.
  std::string_view remaining() const {
    const auto next = static_cast<std::size_t>(pointer_ + 1);
    return next <= input_.size() ? std::string_view(input_).substr(next) : std::string_view();
  }
  bool remaining_starts_with(char c) const {
    const std::string_view rest = remaining();
    return !rest.empty() && rest.front() == c;
  }
  bool is_slash(int c) const { return c == '/' || (special_ && c == '\\'); }
  bool ends_authority(int c) const { return c == kEof || is_slash(c) || c == '?' || c == '#'; }
  // The next run reads the current byte again, in `state`.
  void reconsume_in(State state) {
    state_ = state;
    --pointer_;
  }
  void begin_query() {
    url_.query = std::string();
    state_ = State::Query;
  }
  void begin_fragment() {
    url_.fragment = std::string();
    state_ = State::Fragment;
  }
  std::vector<std::string>& segments() { return std::get<std::vector<std::string>>(url_.path); }

  StepResult step(int c) {
    switch (state_) {
      case State::SchemeStart: return scheme_start(c);
      case State::Scheme: return scheme(c);
      case State::NoScheme: return fail("relative URL without a base");
      case State::SpecialAuthoritySlashes: return special_authority_slashes(c);
      case State::SpecialAuthorityIgnoreSlashes: return special_authority_ignore_slashes(c);
      case State::PathOrAuthority: return path_or_authority(c);
      case State::Authority: return authority(c);
      case State::Host: return host(c);
      case State::Port: return port(c);
      case State::File: return file(c);
      case State::FileSlash: return file_slash(c);
      case State::FileHost: return file_host(c);
      case State::PathStart: return path_start(c);
      case State::Path: return path(c);
      case State::OpaquePath: return opaque_path(c);
      case State::Query: return query(c);
      case State::Fragment: return fragment(c);
    }
    return Пусто{};
  }

  StepResult scheme_start(int c) {
    if (is_alpha(c)) {
      buffer_ += to_lower(c);
      state_ = State::Scheme;
    } else {
      reconsume_in(State::NoScheme);
    }
    return Пусто{};
  }

  StepResult scheme(int c) {
    if (is_alpha(c) || is_digit(c) || c == '+' || c == '-' || c == '.') {
      buffer_ += to_lower(c);
      return Пусто{};
    }
    if (c != ':') {
      // Not a scheme after all: start over from the first byte.
      buffer_.clear();
      state_ = State::NoScheme;
      pointer_ = -1;
      return Пусто{};
    }
    url_.scheme = std::move(buffer_);
    buffer_.clear();
    const SpecialScheme* special = find_special(url_.scheme);
    special_ = special != nullptr;
    default_port_ = special ? special->default_port : std::nullopt;
    if (url_.scheme == "file") {
      state_ = State::File;
    } else if (special_) {
      state_ = State::SpecialAuthoritySlashes;
    } else if (remaining_starts_with('/')) {
      state_ = State::PathOrAuthority;
      ++pointer_;
    } else {
      url_.path = std::string();
      state_ = State::OpaquePath;
    }
    return Пусто{};
  }

  StepResult special_authority_slashes(int c) {
    state_ = State::SpecialAuthorityIgnoreSlashes;
    if (c == '/' && remaining_starts_with('/')) ++pointer_;
    else --pointer_;
    return Пусто{};
  }

  StepResult special_authority_ignore_slashes(int c) {
    if (c != '/' && c != '\\') {
      reconsume_in(State::Authority);
    }
    return Пусто{};
  }

  StepResult path_or_authority(int c) {
    if (c == '/') {
      state_ = State::Authority;
    } else {
      reconsume_in(State::Path);
    }
    return Пусто{};
  }

  StepResult authority(int c) {
    if (c == '@') {
      if (at_sign_seen_) buffer_.insert(0, "%40");
      at_sign_seen_ = true;
      for (char b : buffer_) {
        if (b == ':' && !password_token_seen_) {
          password_token_seen_ = true;
          continue;
        }
        std::string& target = password_token_seen_ ? url_.password : url_.username;
        append_percent_encoded(target, b, EncodeSet::Userinfo);
      }
      buffer_.clear();
    } else if (ends_authority(c)) {
      if (at_sign_seen_ && buffer_.empty()) return fail("empty host");
      pointer_ -= static_cast<std::ptrdiff_t>(buffer_.size()) + 1;
      buffer_.clear();
      state_ = State::Host;
    } else {
      buffer_ += static_cast<char>(c);
    }
    return Пусто{};
  }

  StepResult set_host_from_buffer() {
    auto parsed = parse_host(buffer_, !special_);
    if (!parsed) return Неудача{std::move(parsed).error()};
    url_.host = std::move(*parsed);
    buffer_.clear();
    return Пусто{};
  }

  StepResult host(int c) {
    if (c == ':' && !inside_brackets_) {
      if (buffer_.empty()) return fail("empty host");
      state_ = State::Port;
      return set_host_from_buffer();
    }
    if (ends_authority(c)) {
      --pointer_;
      if (special_ && buffer_.empty()) return fail("empty host");
      state_ = State::PathStart;
      return set_host_from_buffer();
    }
    if (c == '[') inside_brackets_ = true;
    if (c == ']') inside_brackets_ = false;
    buffer_ += static_cast<char>(c);
    return Пусто{};
  }

  StepResult port(int c) {
    if (is_digit(c)) {
      buffer_ += static_cast<char>(c);
      return Пусто{};
    }
    if (!ends_authority(c)) return fail("invalid port number");
    if (!buffer_.empty()) {
      std::uint32_t value = 0;
      for (char d : buffer_) {
        value = value * 10 + static_cast<std::uint32_t>(d - '0');
        if (value > 65535) return fail("invalid port number");
      }
      const auto port = static_cast<std::uint16_t>(value);
      url_.port = port == default_port_ ? std::nullopt : std::optional<std::uint16_t>(port);
      buffer_.clear();
    }
    reconsume_in(State::PathStart);
    return Пусто{};
  }

  // After "file:" and "file:/": one more slash of either kind leads on, anything else is path.
  StepResult file_slash_or_path(int c, State next) {
    if (c == '/' || c == '\\') {
      state_ = next;
    } else {
      reconsume_in(State::Path);
    }
    return Пусто{};
  }

  StepResult file(int c) {
    url_.scheme = "file";
    url_.host = std::string();
    return file_slash_or_path(c, State::FileSlash);
  }

  StepResult file_slash(int c) { return file_slash_or_path(c, State::FileHost); }

  StepResult file_host(int c) {
    if (c != kEof && c != '/' && c != '\\' && c != '?' && c != '#') {
      buffer_ += static_cast<char>(c);
      return Пусто{};
    }
    --pointer_;
    if (is_windows_drive_letter(buffer_)) {
      // "file://C:/" names a drive, not a host; the path state takes the buffer as it is.
      state_ = State::Path;
      return Пусто{};
    }
    state_ = State::PathStart;
    if (buffer_.empty()) {
      url_.host = std::string();
      return Пусто{};
    }
    StepResult result = set_host_from_buffer();
    if (result && url_.host == "localhost") url_.host = std::string();
    return result;
  }

  StepResult path_start(int c) {
    if (special_) {
      state_ = State::Path;
      if (c != '/' && c != '\\') --pointer_;
    } else if (c == '?') {
      begin_query();
    } else if (c == '#') {
      begin_fragment();
    } else if (c != kEof) {
      state_ = State::Path;
      if (c != '/') --pointer_;
    }
    return Пусто{};
  }

  void shorten_path() {
    std::vector<std::string>& path = segments();
    if (url_.scheme == "file" && path.size() == 1 && is_normalized_windows_drive_letter(path[0])) {
      return;
    }
    if (!path.empty()) path.pop_back();
  }

  StepResult path(int c) {
    if (c != kEof && !is_slash(c) && c != '?' && c != '#') {
      append_percent_encoded(buffer_, static_cast<char>(c), EncodeSet::Path);
      return Пусто{};
    }
    if (is_double_dot(buffer_)) {
      shorten_path();
      if (!is_slash(c)) segments().emplace_back();
    } else if (is_single_dot(buffer_)) {
      if (!is_slash(c)) segments().emplace_back();
    } else {
      if (url_.scheme == "file" && segments().empty() && is_windows_drive_letter(buffer_)) {
        buffer_[1] = ':';
      }
      segments().push_back(std::move(buffer_));
    }
    buffer_.clear();
    if (c == '?') {
      begin_query();
    } else if (c == '#') {
      begin_fragment();
    }
    return Пусто{};
  }

  StepResult opaque_path(int c) {
    std::string& path = std::get<std::string>(url_.path);
    if (c == '?') {
      begin_query();
    } else if (c == '#') {
      begin_fragment();
    } else if (c == ' ') {
      // A space before the query or fragment would be lost as trailing space of the path.
      path += remaining_starts_with('?') || remaining_starts_with('#') ? "%20" : " ";
    } else if (c != kEof) {
      append_percent_encoded(path, static_cast<char>(c), EncodeSet::C0Control);
    }
    return Пусто{};
  }

  StepResult query(int c) {
    if (c == '#' || c == kEof) {
      append_percent_encoded(*url_.query, buffer_, special_ ? EncodeSet::SpecialQuery : EncodeSet::Query);
      buffer_.clear();
      if (c == '#') {
        begin_fragment();
      }
    } else {
      buffer_ += static_cast<char>(c);
    }
    return Пусто{};
  }

  StepResult fragment(int c) {
    if (c != kEof) {
      append_percent_encoded(*url_.fragment, static_cast<char>(c), EncodeSet::Fragment);
    }
    return Пусто{};
  }

  std::string input_;
  std::ptrdiff_t pointer_ = 0;
  State state_ = State::SchemeStart;
  std::string buffer_;
  bool special_ = false;
  std::optional<std::uint16_t> default_port_;
  bool at_sign_seen_ = false;
  bool inside_brackets_ = false;
  bool password_token_seen_ = false;
  UrlRecord url_;
};

bool is_c0_control_or_space(char c) { return static_cast<unsigned char>(c) <= 0x20; }
bool is_tab_or_newline(char c) { return c == '\t' || c == '\n' || c == '\r'; }

std::string prepare_input(std::string_view raw) {
  std::string text = valid_utf8(raw);
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && is_c0_control_or_space(text[begin])) ++begin;
  while (end > begin && is_c0_control_or_space(text[end - 1])) --end;
  std::size_t out = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (!is_tab_or_newline(text[i])) text[out++] = text[i];
  }
  text.resize(out);
  return text;
}

}  // namespace

Итог<Url, ParseError> parse(std::string_view input) {
  BasicParser parser(prepare_input(input));
  StepResult result = parser.run();
  if (!result) return Неудача{std::move(result).error()};
  return UrlWriter::write(parser.record());
}

std::string_view Url::username() const {
  if (username_start_ == kNone) return {};
  return std::string_view(href_).substr(username_start_, username_end_ - username_start_);
}

std::string_view Url::password() const {
  if (password_start_ == kNone) return {};
  // The password runs up to the '@' before the host.
  return std::string_view(href_).substr(password_start_, host_start_ - 1 - password_start_);
}

std::optional<std::string_view> Url::host() const {
  if (host_start_ == kNone) return std::nullopt;
  return std::string_view(href_).substr(host_start_, host_end_ - host_start_);
}

std::string_view Url::path() const {
  const std::size_t end = query_start_ != kNone      ? query_start_
                          : fragment_start_ != kNone ? fragment_start_
                                                     : href_.size();
  return std::string_view(href_).substr(path_start_, end - path_start_);
}

std::optional<std::string_view> Url::query() const {
  if (query_start_ == kNone) return std::nullopt;
  const std::size_t end = fragment_start_ != kNone ? fragment_start_ : href_.size();
  return std::string_view(href_).substr(query_start_ + 1, end - query_start_ - 1);
}

std::optional<std::string_view> Url::fragment() const {
  if (fragment_start_ == kNone) return std::nullopt;
  return std::string_view(href_).substr(fragment_start_ + 1);
}

}  // namespace тувра::url
