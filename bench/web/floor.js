// The floor of the browser benchmarks: the least a page can do to show the
// game's Desk and keep a ball glowing. The page holds one line of text, a
// largest contentful paint for Lighthouse (a canvas is none); a script
// paints a 262 x 262 canvas in the Desk's grey with one ball-coloured
// 22 x 22 square at the first cell, at once; then repaints that square
// every 100 ms in the next of four shades, as the glow timer repaints the
// selected ball.
const kDesk = 262;
const kShades = ["#000080", "#0000aa", "#0000d5", "#0000ff"];

const canvas = document.createElement("canvas");
canvas.width = kDesk;
canvas.height = kDesk;
document.body.appendChild(canvas);
const context = canvas.getContext("2d");
context.fillStyle = "#c0c0c0";
context.fillRect(0, 0, kDesk, kDesk);
context.fillStyle = kShades[0];
context.fillRect(4, 4, 22, 22);

let frame = 0;
setInterval(() => {
    frame = (frame + 1) % kShades.length;
    context.fillStyle = kShades[frame];
    context.fillRect(4, 4, 22, 22);
}, 100);
