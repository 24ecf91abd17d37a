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
C_0_0=255
C_2_0=12
C_3_3=44
C_0_1=2130706432
C_1_0=0

[Tab2]
C_2_1=77
NAME="  x  "
C_1_1=3943194
[Tab3]
NAME=third
