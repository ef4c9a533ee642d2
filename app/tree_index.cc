#include "app/tree_index.h"

#include <cstdio>

namespace {

std::string text_field(std::string_view field) {
  std::string out;
  for (const char c : field) {
    if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::string joined(const std::vector<std::string>& items, const char* separator) {
  std::string out;
  for (const std::string& item : items) {
    if (!out.empty()) out += separator;
    out += item;
  }
  return out;
}

std::string counted(unsigned count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string totals_line(const IndexTotals& totals) {
  return counted(totals.files, "source", "sources") + ", " + counted(totals.written, "chart written", "charts written") +
         ", " +
         std::to_string(totals.with_warnings) + " with warnings, " + std::to_string(totals.failed) + " failed";
}

// The length of the UTF-8 sequence at text[at], or 0 when none starts there.
std::size_t utf8_length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned minimum = 0;
  unsigned value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800, value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000, value = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    value = value << 6 | (byte(at + i) & 0x3F);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  return value < minimum || value > 0x10FFFF || surrogate ? 0 : length;
}

// Sorting and filtering; the page works without it.
constexpr std::string_view kScript = R"(
(function () {
  var table = document.getElementById('charts');
  var body = table.tBodies[0];
  var filter = document.getElementById('filter');
  var warnedOnly = document.getElementById('warned');
  var rows = Array.prototype.slice.call(body.rows);
  var order = { column: 0, up: true };
  function key(row, column) {
    var cell = row.cells[column];
    var number = cell.getAttribute('data-n');
    return number === null ? cell.textContent.toLowerCase() : Number(number);
  }
  function show() {
    var words = filter.value.toLowerCase();
    rows.sort(function (a, b) {
      var x = key(a, order.column), y = key(b, order.column);
      var c = x < y ? -1 : x > y ? 1 : 0;
      return order.up ? c : -c;
    });
    rows.forEach(function (row) {
      var text = row.textContent.toLowerCase();
      var warned = Number(row.cells[2].getAttribute('data-n')) > 0 || row.className === 'failed';
      row.hidden = text.indexOf(words) < 0 || (warnedOnly.checked && !warned);
      body.appendChild(row);
    });
  }
  Array.prototype.forEach.call(table.tHead.rows[0].cells, function (cell, column) {
    var button = document.createElement('button');
    button.type = 'button';
    button.textContent = cell.textContent;
    button.addEventListener('click', function () {
      order = { column: column, up: order.column === column ? !order.up : true };
      show();
    });
    cell.textContent = '';
    cell.appendChild(button);
  });
  document.getElementById('controls').hidden = false;
  filter.addEventListener('input', show);
  warnedOnly.addEventListener('change', show);
})();
)";

constexpr std::string_view kStyle = R"(
body { font-family: sans-serif; margin: 1em 2em; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.6em; text-align: left; vertical-align: top; }
td.n { text-align: right; }
tr.failed td { color: #a00; }
th button { font: inherit; font-weight: bold; border: none; background: none; cursor: pointer; padding: 0; }
)";

std::string csp_hash(std::string_view text) {
  const std::array<std::uint8_t, 32> digest = sha256(text);
  return "'sha256-" + base64(digest.data(), digest.size()) + "'";
}

std::string html_row(const IndexEntry& entry) {
  std::string row = entry.written ? "<tr>" : "<tr class=\"failed\">";
  row += "<td>";
  if (entry.written) {
    row += "<a href=\"" + url_path(entry.chart) + "\">" + html_escaped(entry.chart) + "</a>";
  } else {
    row += html_escaped(entry.chart);
  }
  row += "</td><td>" + std::string(entry.written ? "written" : "failed") + "</td>";
  row += "<td class=\"n\" data-n=\"" + std::to_string(entry.warnings) + "\">" + std::to_string(entry.warnings) + "</td>";
  row += "<td>" + html_escaped(joined(entry.units, "; ")) + "</td>";
  row += "<td>" + html_escaped(entry.source) + "</td></tr>\n";
  return row;
}

}  // namespace

IndexTotals count_entries(const std::vector<IndexEntry>& entries) {
  IndexTotals totals;
  for (const IndexEntry& entry : entries) {
    ++totals.files;
    if (entry.written) ++totals.written;
    if (entry.written && entry.warnings > 0) ++totals.with_warnings;
    if (!entry.written) ++totals.failed;
  }
  return totals;
}

std::string index_text(const std::vector<IndexEntry>& entries) {
  std::string text = "# " + totals_line(count_entries(entries)) + "\n";
  text += "chart\tstatus\twarnings\tunits\tsource\n";
  for (const IndexEntry& entry : entries) {
    text += text_field(entry.chart) + "\t" + (entry.written ? "written" : "failed") + "\t" +
            std::to_string(entry.warnings) + "\t" + text_field(joined(entry.units, "; ")) + "\t" +
            text_field(entry.source) + "\n";
  }
  return text;
}

std::string index_html(const std::vector<IndexEntry>& entries) {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src " +
      csp_hash(kScript) + "; style-src " + csp_hash(kStyle) +
      "\">\n<meta name=\"referrer\" content=\"no-referrer\">\n<title>Charts</title>\n<style>" + std::string(kStyle) +
      "</style>\n</head>\n<body>\n<h1>Charts</h1>\n<p>" + totals_line(count_entries(entries)) + "</p>\n" +
      "<p id=\"controls\" hidden><label>Filter <input id=\"filter\" type=\"search\"></label> "
      "<label><input id=\"warned\" type=\"checkbox\"> only with warnings or failed</label></p>\n"
      "<table id=\"charts\">\n<thead><tr><th>Chart</th><th>Status</th><th>Warnings</th><th>Program units</th>"
      "<th>Source</th></tr></thead>\n<tbody>\n";
  for (const IndexEntry& entry : entries) page += html_row(entry);
  page += "</tbody>\n</table>\n<script>" + std::string(kScript) + "</script>\n</body>\n</html>\n";
  return page;
}

std::string html_escaped(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = utf8_length(text, at);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD for a byte that is not UTF-8
      ++at;
      continue;
    }
    switch (text[at]) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out.append(text.substr(at, length));
    }
    at += length;
  }
  return out;
}

std::string url_path(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : path) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  // A first segment with a colon would read as a scheme; "./" keeps it a path.
  return "./" + out;
}

namespace {

constexpr std::uint32_t kRoundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5, 0xd807aa98,
    0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174, 0xe49b69c1, 0xefbe4786,
    0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da, 0x983e5152, 0xa831c66d, 0xb00327c8,
    0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13,
    0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819,
    0xd6990624, 0xf40e3585, 0x106aa070, 0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a,
    0x5b9cca4f, 0x682e6ff3, 0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7,
    0xc67178f2};

constexpr std::uint32_t rotate_right(std::uint32_t x, int n) { return x >> n | x << (32 - n); }

void compress(std::uint32_t (&state)[8], const std::uint8_t* block) {
  std::uint32_t w[64];
  for (int i = 0; i < 16; ++i) {
    w[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
           std::uint32_t{block[4 * i + 2]} << 8 | block[4 * i + 3];
  }
  for (int i = 16; i < 64; ++i) {
    const std::uint32_t s0 = rotate_right(w[i - 15], 7) ^ rotate_right(w[i - 15], 18) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = rotate_right(w[i - 2], 17) ^ rotate_right(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  std::uint32_t v[8];
  for (int i = 0; i < 8; ++i) v[i] = state[i];
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t s1 = rotate_right(v[4], 6) ^ rotate_right(v[4], 11) ^ rotate_right(v[4], 25);
    const std::uint32_t choice = (v[4] & v[5]) ^ (~v[4] & v[6]);
    const std::uint32_t t1 = v[7] + s1 + choice + kRoundConstants[i] + w[i];
    const std::uint32_t s0 = rotate_right(v[0], 2) ^ rotate_right(v[0], 13) ^ rotate_right(v[0], 22);
    const std::uint32_t majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
    for (int j = 7; j > 0; --j) v[j] = v[j - 1];
    v[4] += t1;
    v[0] = t1 + s0 + majority;
  }
  for (int i = 0; i < 8; ++i) state[i] += v[i];
}

}  // namespace

std::array<std::uint8_t, 32> sha256(std::string_view bytes) {
  std::uint32_t state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                            0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  std::string message(bytes);
  const std::uint64_t bit_length = static_cast<std::uint64_t>(bytes.size()) * 8;
  message += '\x80';
  while (message.size() % 64 != 56) message += '\0';
  for (int i = 7; i >= 0; --i) message += static_cast<char>(bit_length >> (8 * i));
  for (std::size_t at = 0; at < message.size(); at += 64) {
    compress(state, reinterpret_cast<const std::uint8_t*>(message.data() + at));
  }
  std::array<std::uint8_t, 32> digest{};
  for (int i = 0; i < 32; ++i) digest[i] = static_cast<std::uint8_t>(state[i / 4] >> (24 - 8 * (i % 4)));
  return digest;
}

std::string base64(const std::uint8_t* bytes, std::size_t count) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t at = 0; at < count; at += 3) {
    const std::uint32_t group = std::uint32_t{bytes[at]} << 16 | (at + 1 < count ? std::uint32_t{bytes[at + 1]} << 8 : 0) |
                                (at + 2 < count ? bytes[at + 2] : 0);
    out += kDigits[group >> 18 & 63];
    out += kDigits[group >> 12 & 63];
    out += at + 1 < count ? kDigits[group >> 6 & 63] : '=';
    out += at + 2 < count ? kDigits[group & 63] : '=';
  }
  return out;
}
