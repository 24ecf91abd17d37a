; palette of an earlier run
[Pallet]
Top=20
Left=10
Right=330
Bottom=140
Dock=1
View=0
xCount=3
yCount=2
zCount=2
Select=1
Theme=dark

[Tab1]
NAME=êFWeb
C_0_0=99
C_2_0=12
C_3_3=44

[Tab2]
C_2_1=77
NAME="  x  "
[Tab3]
NAME=third
