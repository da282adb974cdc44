# Builds the user guide, one HTML page, from the Chinese user's guide docs/guide.md: a table of
# contents of its "## " sections, its pictures copied beside the page.
# Run as: cmake -DGUIDE=... -DPICTURE_DIR=... -DOUT_DIR=... -DCMARK=... -P MakeGuide.cmake
file(READ "${GUIDE}" markdown)

# Pictures the guide shows (links to a .png file beside it) are shipped beside the page. The match
# leaves out the link's "]": an unbalanced bracket in a list element keeps CMake from splitting
# the list at ";".
string(REGEX MATCHALL "\\([^():/ ]+\\.png\\)" pictures "${markdown}")
foreach(reference IN LISTS pictures)
    string(REGEX REPLACE "^\\((.+)\\)$" "\\1" picture "${reference}")
    file(COPY "${PICTURE_DIR}/${picture}" DESTINATION "${OUT_DIR}")
endforeach()

file(WRITE "${OUT_DIR}/guide.md" "${markdown}")
execute_process(COMMAND "${CMARK}" --extension table --to html "${OUT_DIR}/guide.md"
                OUTPUT_VARIABLE html RESULT_VARIABLE failed)
file(REMOVE "${OUT_DIR}/guide.md")
if(failed)
    message(FATAL_ERROR "${CMARK} could not convert the guide")
endif()

# Each section heading gets an anchor and a line in the contents.
string(REGEX MATCHALL "<h2>[^<]+</h2>" headings "${html}")
set(contents "")
set(number 0)
foreach(heading IN LISTS headings)
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "^<h2>(.+)</h2>$" "\\1" section "${heading}")
    string(REPLACE "${heading}" "<h2 id=\"section-${number}\">${section}</h2>" html "${html}")
    string(APPEND contents "<li><a href=\"#section-${number}\">${section}</a></li>\n")
endforeach()
if(number EQUAL 0)
    message(FATAL_ERROR "${GUIDE} has no section")
endif()

file(WRITE "${OUT_DIR}/index.html" "<!DOCTYPE html>
<html lang=\"zh-CN\">
<head>
<meta charset=\"utf-8\">
<title>Quillmere 用户指南</title>
<style>
body { font-family: sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.6; }
table { border-collapse: collapse; }
th, td { border: 1px solid #aaa; padding: 0.2em 0.5em; vertical-align: top; }
pre { background: #f4f4f4; padding: 0.5em; overflow-x: auto; }
img { max-width: 100%; }
</style>
</head>
<body>
<h1>Quillmere 用户指南</h1>
<ul>
${contents}</ul>
${html}</body>
</html>
")
