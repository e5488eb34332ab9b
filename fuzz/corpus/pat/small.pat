*ONE, one family
0, 0,0, 0,1
*DASH
45, 0,0, 0.5,1, 1,-0.5,0
