# Builds the user guide, one HTML page, from the README's sections on the workbench, the command
# line, model files, regeneration and the server, so that the guide says what the README says.
# Run as: cmake -DREADME=... -DPICTURE_DIR=... -DOUT_DIR=... -DCMARK=... -P MakeGuide.cmake
set(sections
    "Workbench"
    "Command line"
    "Model files"
    "Regenerating a project you changed"
    "The generated client and its server")

file(READ "${README}" readme)
string(APPEND readme "\n## ")
set(markdown "")
set(contents "")
set(number 0)
foreach(section IN LISTS sections)
    string(FIND "${readme}" "\n## ${section}\n" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "README.md has no section \"${section}\"")
    endif()
    math(EXPR start "${start} + 1")
    string(SUBSTRING "${readme}" ${start} -1 rest)
    string(SUBSTRING "${rest}" 1 -1 afterHeading)
    string(FIND "${afterHeading}" "\n## " end)
    math(EXPR end "${end} + 2")
    string(SUBSTRING "${rest}" 0 ${end} body)
    string(APPEND markdown "${body}\n")
    math(EXPR number "${number} + 1")
    string(APPEND contents "<li><a href=\"#section-${number}\">${section}</a></li>\n")
endforeach()

# Pictures the sections show are shipped beside the page. The match leaves out the link's "]":
# an unbalanced bracket in a list element keeps CMake from splitting the list at ";".
string(REGEX MATCHALL "\\(docs/[^)]+\\)" pictures "${markdown}")
foreach(reference IN LISTS pictures)
    string(REGEX REPLACE "^\\(docs/(.+)\\)$" "\\1" picture "${reference}")
    file(COPY "${PICTURE_DIR}/${picture}" DESTINATION "${OUT_DIR}")
    string(REPLACE "](docs/${picture})" "](${picture})" markdown "${markdown}")
endforeach()

file(WRITE "${OUT_DIR}/guide.md" "${markdown}")
execute_process(COMMAND "${CMARK}" --extension table --to html "${OUT_DIR}/guide.md"
                OUTPUT_VARIABLE html RESULT_VARIABLE failed)
file(REMOVE "${OUT_DIR}/guide.md")
if(failed)
    message(FATAL_ERROR "${CMARK} could not convert the guide")
endif()

set(number 0)
foreach(section IN LISTS sections)
    math(EXPR number "${number} + 1")
    string(REPLACE "<h2>${section}</h2>" "<h2 id=\"section-${number}\">${section}</h2>" html
                   "${html}")
endforeach()

file(WRITE "${OUT_DIR}/index.html" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Quillmere 用户指南</title>
<style>
body { font-family: sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.5; }
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
