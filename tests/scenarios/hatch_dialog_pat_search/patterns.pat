; Patterns for the hatch dialog scenario.
*BRICK, Brick courses with staggered joints
0, 0,0, 0,.5
90, 0,0, .5,.5, .5,-.5
*BRASS, Diagonals an eighth apart
45, 0,0, 0,.125
*DOTS, A grid of dots
0, 0,0, 0,.5, 0,-.5
