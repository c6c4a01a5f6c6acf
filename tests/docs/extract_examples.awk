# Extracts the marked examples of a document (Markdown or a manual page) into
# files for check_examples.sh. A marker right before a code block
#   <!-- check: KIND [FLAGS] -->        (Markdown, before a ``` fence)
#   .\" check: KIND [FLAGS]             (manual page, before .EX; .in may come between)
# says what the block is. An example (KIND vastor, perlan, perlan-rules, java
# or java-source) goes to <out>/NN.txt, with "KIND FLAGS LINE" in
# <out>/NN.kind; a block marked stderr, stdout, stdin or perlan-output belongs
# to the example before it and goes to NN.stderr, NN.stdout, NN.stdin or
# NN.output. A block that looks like a specification or a grammar but carries
# no marker is an error, so that no example goes unchecked; "check: skip"
# exempts one.
#   awk -v out=<dir> -v roff=<0|1> -f extract_examples.awk <document>
function fail(message) {
    printf "%s:%d: %s\n", FILENAME, FNR, message > "/dev/stderr"
    failed = 1
    exit 1
}
function unroff(line) {
    gsub(/\\f[BIPR]/, "", line)
    gsub(/\\\(aq/, "'", line)
    gsub(/\\\(dq/, "\"", line)
    gsub(/\\-/, "-", line)
    gsub(/\\&/, "", line)
    gsub(/\\\|/, "", line)
    gsub(/\\~/, " ", line)
    gsub(/\\e/, "\\", line)
    return line
}
function start_block() {
    block = ""
    block_line = FNR
    marker = pending
    pending = ""
    in_block = 1
}
function end_block(   kind, flags, file) {
    in_block = 0
    if (marker == "") {
        if (block ~ /Types *= *\{/ || block ~ /(^|\n)%%(\n|$)/ || block ~ /\/\*</)
            fail("a specification or grammar without a check marker")
        return
    }
    kind = marker
    sub(/ .*/, "", kind)
    flags = marker
    sub(/^[^ ]*/, "", flags)
    if (kind == "skip") return
    if (kind == "stderr" || kind == "stdout" || kind == "stdin" || kind == "perlan-output") {
        if (count == 0) fail("a " kind " block before any example")
        file = sprintf("%s/%02d.%s", out, count, kind == "perlan-output" ? "output" : kind)
    } else if (kind == "vastor" || kind == "perlan" || kind == "perlan-rules" || kind == "java" ||
               kind == "java-source") {
        count++
        printf "%s%s %d\n", kind, flags, block_line > sprintf("%s/%02d.kind", out, count)
        file = sprintf("%s/%02d.txt", out, count)
    } else {
        fail("unknown check marker: " marker)
    }
    printf "%s", block > file
    close(file)
}
BEGIN { count = 0; pending = ""; in_block = 0 }
!in_block && !roff && /^<!-- check: .* -->$/ {
    if (pending != "") fail("two check markers in a row")
    pending = $0
    sub(/^<!-- check: /, "", pending)
    sub(/ -->$/, "", pending)
    next
}
!in_block && roff && /^\.\\" check: / {
    if (pending != "") fail("two check markers in a row")
    pending = $0
    sub(/^\.\\" check: /, "", pending)
    next
}
!roff && /^```/ {
    if (in_block) end_block(); else start_block()
    next
}
roff && /^\.EX$/ { start_block(); next }
roff && /^\.EE$/ { end_block(); next }
in_block { block = block (roff ? unroff($0) : $0) "\n"; next }
pending != "" && !(roff && /^\.(in|PP)/) && !/^$/ { fail("a check marker not followed by a code block") }
END {
    if (failed) exit 1
    if (in_block) fail("an unclosed code block")
    if (pending != "") fail("a check marker at the end")
}
