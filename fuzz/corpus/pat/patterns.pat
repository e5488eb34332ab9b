*VX_LINES, Continuous lines at 45 degrees, 0.25 apart
45, 0,0, 0,0.25
*VX_DASHED, Dashes of 0.5 with gaps of 0.25
0, 0,0, 0.25,0.4, 0.5,-0.25
*VX_DOTS, A grid of dots
0, 0,0, 0,0.3, 0,-0.3
*VX_GRID, Two families crossing at right angles
0, 0,0, 0,0.5
90, 0,0, 0,0.5
*VX_BRICK, Brick courses with staggered joints
0, 0,0, 0,0.5
90, 0,0, 0.5,1, 0.5,-0.5
*VX_STAGGER, A dashed family whose stagger runs the other way (negative delta-y)
0, 0,0, 0.3,-0.4, 0.6,-0.3
