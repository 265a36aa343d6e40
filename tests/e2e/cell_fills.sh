# cell_fills PICTURE [SCALE X Y]: "i j live|dead|died|other" for the 625 cells,
# read at their centres in PICTURE (SCALE device pixels a pixel, the client
# area at X, Y): a 10 x 17 grid from (75, 27), odd rows on its even columns.
cell_fills() {
    local s=${2:-1}
    convert "$1" -crop "$((500 * s))x$((425 * s))+$((${3:-0} + 75 * s))+$((${4:-0} + 27 * s))" +repage \
        -define sample:offset=0 -sample '50x25!' -depth 8 txt:- |
        awk -F': *' 'BEGIN { fill["(255,240,0)"] = "live"; fill["(90,90,210)"] = "dead"; fill["(180,120,0)"] = "died" }
            NR > 1 { split($1, p, ","); j = p[2] + 1; x = 10 * p[1] + (j % 2 ? 20 : 10); split($2, c, " ")
                     if (x % 20 == 0) print x / 20, j, ((c[1] in fill) ? fill[c[1]] : "other") }'
}
# pixels_differ A B [OPTION...]: how many pixels differ between two pictures,
# after the options (a -crop, say) applied to both. compare -metric AE no
# longer counts pixels from ImageMagick 7.1.2 on.
pixels_differ() {
    convert "$1" "$2" -alpha off "${@:3}" -compose difference -composite -separate -evaluate-sequence max \
        -threshold 0 -format '%[fx:round(mean*w*h)]' info:
}
