# flat_library.awk: system_z80lib.asm as the compiler copies it for the
# flat machine: the blocks of other machines ("; #target NAMES" up to
# "; #end target" without flat among NAMES) and the marker lines left out
# (the lines for -O between "; #optimize" and "; #end optimize" are kept),
# empty lines and labels (ending in ':') as they are, every other line
# indented by three spaces.
BEGIN { keep = 1 }
/^; #target / { keep = index(" " substr($0, 11) " ", " flat ") > 0; next }
$0 == "; #end target" { keep = 1; next }
$0 == "; #optimize" || $0 == "; #end optimize" { next }
!keep { next }
{ if ($0 == "" || $0 ~ /:$/) print; else print "   " $0 }
