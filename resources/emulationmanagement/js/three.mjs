// The two classes of three.js that the phone page uses, gathered in one
// module so that a page script can import them under one name.
export { Vector3 } from './3rdparty/three/math/Vector3.mjs';
export { Euler } from './3rdparty/three/math/Euler.mjs';
