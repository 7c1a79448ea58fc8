"""Ten changes a user would notice, made one at a time to the program: each
must make a test fail. Each is applied, the test programs are rebuilt and
every test but the end-to-end, browser and install checks runs; then the
source is put back (a run killed midway leaves its change for `git diff` to
show). Run by ./dev.sh mutations after a release build."""
import os
import re
import subprocess

os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
MUTATIONS = [
 ("a rectangle's right and bottom edges taken in", "src/platform/regions.cpp", "return {left, top, right - left, bottom - top};", "return {left, top, right - left + 1, bottom - top + 1};"),
 ("a radius of x.5 rounded up, not to even", "src/model/area.cpp", "return roundToInt16(radius);", "return roundToInt16(radius + (radius - static_cast<float>(static_cast<int>(radius)) == 0.5f ? 0.25f : 0.0f));"),
 ("a quote in a value not made safe", "src/model/attribute_entry.cpp", 'escaped += "&quot;";', "escaped += '\"';"),
 ("the pause between areas: 100 ms, not 200", "src/document/map_document.h", "inline constexpr int pauseAfterArea = 200;", "inline constexpr int pauseAfterArea = 100;"),
 ("ALT written before Target", "src/model/map_writer.cpp", '''  if (!area.attributes.target.empty()) out = put(put(out, "\\" Target=\\""), area.attributes.target);
  if (!area.attributes.alt.empty()) out = put(put(out, "\\" ALT=\\""), area.attributes.alt);''', '''  if (!area.attributes.alt.empty()) out = put(put(out, "\\" ALT=\\""), area.attributes.alt);
  if (!area.attributes.target.empty()) out = put(put(out, "\\" Target=\\""), area.attributes.target);'''),
 ("the smallest circle: radius 6, not 7", "src/model/area.h", "inline constexpr float smallestRadius = 7.0f;", "inline constexpr float smallestRadius = 6.0f;"),
 ("the default image folder \"image/\"", "src/model/image_folder.cpp", 'const std::string defaultFolder = "images/";', 'const std::string defaultFolder = "image/";'),
 ("lines ended with LF, not CR LF", "src/model/map_format.h", 'inline const std::string crlf = "\\r\\n";', 'inline const std::string crlf = "\\n";'),
 ("the last area under the pointer wins, not the first", "src/editor/area_overlay.cpp", "if (regions[index].contains(QPoint(*x, *y))) return index;", "if (regions[regions.size() - 1 - index].contains(QPoint(*x, *y))) return regions.size() - 1 - index;"),
 ("Shift and an arrow nudge by 5, not 10", "src/editor/editor_window.cpp", "constexpr int farNudge = 10;", "constexpr int farNudge = 5;"),
]
targets = "model_tests platform_tests dialogs_tests editor_tests workflow_tests system_tests".split()
uncaught = 0
for name, path, old, new in MUTATIONS:
    text = open(path).read()
    if old not in text:
        print(f"NOT APPLIED (the source changed): {name}")
        uncaught += 1
        continue
    open(path, 'w').write(text.replace(old, new, 1))
    try:
        b = subprocess.run(["ninja", "-C", "build"] + targets, capture_output=True, text=True)
        if b.returncode != 0:
            print(f"{name}: the build failed\n{b.stdout[-1500:]}")
            uncaught += 1
            continue
        r = subprocess.run(["ctest", "--test-dir", "build", "-LE", "e2e|browser|install", "-j2"], capture_output=True, text=True)
        failed = re.findall(r"\d+ - (\S+) \(Failed\)", r.stdout)
        print(f"{name}: {'caught by ' + ', '.join(failed) if failed else 'NOT CAUGHT'}", flush=True)
        uncaught += 0 if failed else 1
    finally:
        open(path, 'w').write(text)
subprocess.run(["ninja", "-C", "build"] + targets, capture_output=True)
raise SystemExit(1 if uncaught else 0)
