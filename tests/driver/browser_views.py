#!/usr/bin/env python3
"""The HTML view in a real browser: headless Chromium renders the page of
every golden source, and a script injected into a copy of the page measures
where every connector glyph stands.  Checks, for each page:

  - every connector glyph's left edge is that of its chart column, and the
    glyphs are those of the Shift-JIS chart, row by row and column by column
  - every program-unit link leads to a row that opens a unit
  - selecting the chart copies its statement texts and none of its glyphs
  - the page is valid UTF-8 and loads nothing (no resource, no policy breach)

Saves screenshots of two charts into the output folder.  Exits 77 (skipped)
when Chromium is not installed.

usage: browser_views.py PROGRAM SOURCE_DIR OUTPUT_DIR
"""
import base64
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77

CONNECTORS = {b"\x84\x9f": "─", b"\x84\xa0": "│", b"\x84\xa2": "┐", b"\x84\xa7": "┤", b"\x84\xa3": "┘",
              b"\x81\xa9": "←", b"\x84\xa1": "┌", b"\x84\xa4": "└", b"\x84\xa5": "├", b"\x81\xaa": "↑"}

MEASURE = r"""
(function () {
  var violations = [];
  document.addEventListener('securitypolicyviolation', function (e) {
    violations.push(e.violatedDirective + ' ' + e.blockedURI);
  });
  window.addEventListener('load', function () {
    var rows = document.querySelectorAll('main p');
    var result = {rows: [], links: [], resources: 0, violations: violations};
    if (rows.length > 0) {
      var probe0 = document.createElement('i'), probe1 = document.createElement('i');
      probe0.className = 'c0'; probe1.className = 'c100';
      rows[0].appendChild(probe0); rows[0].appendChild(probe1);
      var left0 = probe0.getBoundingClientRect().left - rows[0].getBoundingClientRect().left;
      var width = (probe1.getBoundingClientRect().left - probe0.getBoundingClientRect().left) / 100;
      probe0.remove(); probe1.remove();
      result.column_width = width;
      for (var r = 0; r < rows.length; r++) {
        var rowLeft = rows[r].getBoundingClientRect().left, glyphs = [];
        var items = rows[r].querySelectorAll('i');
        for (var k = 0; k < items.length; k++) {
          if (!/^[a-z][0-9]+$/.test(items[k].className)) continue;
          var left = items[k].getBoundingClientRect().left - rowLeft;
          glyphs.push([(left - left0) / width, items[k].textContent]);
        }
        result.rows.push(glyphs);
      }
    }
    var links = document.querySelectorAll('nav a');
    for (var n = 0; n < links.length; n++) {
      var target = document.getElementById(links[n].getAttribute('href').slice(1));
      result.links.push([links[n].getAttribute('href'), target ? target.className : null,
                         target ? target.textContent : '']);
    }
    var chart = document.querySelector('main');
    var selection = window.getSelection();
    selection.selectAllChildren(chart);
    result.copied = selection.toString();
    selection.removeAllRanges();
    result.texts = Array.prototype.map.call(chart.querySelectorAll('p > span'), function (t) { return t.textContent; });
    result.resources = performance.getEntriesByType('resource').length;
    var out = document.createElement('pre');
    out.id = 'kmt-measure';
    out.textContent = JSON.stringify(result);
    document.body.appendChild(out);
  });
})();
"""


def find_chromium():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    return None


def sjis_connectors(line):
    found = set()
    column = 0
    while column < len(line):
        byte = line[column]
        if 0x81 <= byte <= 0x9F or 0xE0 <= byte <= 0xFC:
            glyph = CONNECTORS.get(line[column:column + 2])
            if glyph:
                found.add((column, glyph))
            column += 2
        else:
            column += 1
    return found


def chromium_run(chromium, *arguments):
    command = [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
               "--disable-extensions", "--virtual-time-budget=10000"] + list(arguments)
    return subprocess.run(command, capture_output=True, timeout=180)


def measuring_copy(page, path):
    digest = base64.b64encode(hashlib.sha256(MEASURE.encode()).digest()).decode()
    policy = "script-src 'none'"
    if page.count(policy) != 1:
        raise SystemExit("the page's policy does not forbid scripts")
    copy = page.replace(policy, "script-src 'sha256-%s'" % digest, 1)
    copy = copy.replace("<head>", "<head><script>" + MEASURE + "</script>", 1)
    with open(path, "w", encoding="utf-8") as out:
        out.write(copy)


def check_source(program, chromium, source, work, problems):
    name = os.path.basename(source)
    chart_path = os.path.join(work, name + ".txt")
    page_path = os.path.join(work, name + ".html")
    if subprocess.run([program, source, chart_path], capture_output=True).returncode != 0:
        return None  # a fatal message: no chart, no page
    subprocess.run([program, "--format=html", source, page_path], check=True, capture_output=True)
    raw = open(page_path, "rb").read()
    try:
        page = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        problems.append("%s: the page is no UTF-8: %s" % (name, error))
        return None
    measured_path = os.path.join(work, name + ".measure.html")
    measuring_copy(page, measured_path)
    run = chromium_run(chromium, "--dump-dom", "file://" + measured_path)
    dom = run.stdout.decode("utf-8", "replace")
    match = re.search(r'<pre id="kmt-measure">(.*?)</pre>', dom, re.S)
    if not match:
        problems.append("%s: the measuring script gave nothing (%s)" % (name, run.stderr.decode()[-300:]))
        return None
    result = json.loads(match.group(1).replace("&quot;", '"').replace("&lt;", "<").replace("&gt;", ">")
                        .replace("&amp;", "&"))
    chart_rows = open(chart_path, "rb").read().split(b"\r\n")
    if chart_rows and chart_rows[-1] == b"":
        chart_rows.pop()
    if len(result["rows"]) != len(chart_rows):
        problems.append("%s: %d rows in the page, %d in the chart" % (name, len(result["rows"]), len(chart_rows)))
        return result
    for index, (glyphs, line) in enumerate(zip(result["rows"], chart_rows)):
        shown = set()
        for column, text in glyphs:
            if abs(column - round(column)) > 0.02:
                problems.append("%s row %d: %s stands at column %.3f, off the grid" % (name, index, text, column))
            if text in CONNECTORS.values():
                shown.add((round(column), text))
        expected = sjis_connectors(line)
        result["compared"] = result.get("compared", 0) + len(expected)
        if shown != expected:
            problems.append("%s row %d: connectors %s in the page, %s in the chart"
                            % (name, index, sorted(shown - expected), sorted(expected - shown)))
    # Selecting the chart copies its statement texts, without glyphs or line numbers.
    copied = result["copied"]
    if any(glyph in copied for glyph in CONNECTORS.values()):
        problems.append("%s: copying the chart copies its glyphs" % name)
    missing = [t for t in result["texts"] if t.strip() and t.strip() not in copied]
    if missing:
        problems.append("%s: copying the chart leaves out %s" % (name, missing[:3]))
    for href, classes, text in result["links"]:
        if classes is None or "unit" not in classes.split() or not re.search("[▼▽]", text):
            problems.append("%s: the link %s leads to no unit row (%s)" % (name, href, classes))
    if result["resources"] != 0 or result["violations"]:
        problems.append("%s: the page loaded %d resources, policy breaches %s"
                        % (name, result["resources"], result["violations"]))
    return result


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    program, source_dir, output_dir = sys.argv[1:]
    chromium = find_chromium()
    if chromium is None:
        print("Chromium is not installed: the browser tests are skipped")
        return SKIPPED
    sources = []
    for folder in ("examples", os.path.join("tests", "golden")):
        directory = os.path.join(source_dir, folder)
        sources += sorted(os.path.join(directory, f) for f in os.listdir(directory) if f.endswith(".f90"))
    problems = []
    checked = 0
    compared = 0
    with tempfile.TemporaryDirectory() as work:
        for source in sources:
            result = check_source(program, chromium, source, work, problems)
            if result is not None:
                checked += 1
                compared += result.get("compared", 0)
        os.makedirs(output_dir, exist_ok=True)
        for example in ("if_else.f90", "loops.f90"):
            page = os.path.join(work, example + ".html")
            if os.path.exists(page):
                shot = os.path.join(output_dir, example.replace(".f90", ".png"))
                chromium_run(chromium, "--screenshot=" + shot, "--window-size=1280,1100", "file://" + page)
                print("screenshot:", shot)
    for problem in problems[:60]:
        print(problem)
    print("%d pages checked, %d connector glyphs compared, %d problems" % (checked, compared, len(problems)))
    return 1 if problems or checked == 0 or compared == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
