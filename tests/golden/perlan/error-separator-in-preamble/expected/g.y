%{
import x;
%%